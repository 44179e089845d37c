<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutView</name>
    <message>
        <source>Kestrum console [non-production build] v. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrum console v.%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© %1 All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivityActorFilter</name>
    <message>
        <source>Anyone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No user of that name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivityFilterBar</name>
    <message>
        <source>Everything</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-ins and sessions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role session tokens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rollouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 24 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivityRecordDetails</name>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acting user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (id %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the context of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed attempts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed (status %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivityView</name>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records %1 to %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Older</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditCsvExport</name>
    <message>
        <source>%1 of %2 records read…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 records exported: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the export stops at %1 records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AuditTexts</name>
    <message>
        <source>location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>login of user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings of devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tickets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>role session token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rollout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the password of the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tagged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unbound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>synchronised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restarted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resumed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started the next group of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed (status %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Somebody</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, as %2,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> (%n device(s))</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 failed sign-ins for %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed sign-in for %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 signed in from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 logged off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 switched into the context of %2 — %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3%4 — %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueProblem</name>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloudStoragesStatistics</name>
    <message>
        <source>Statistics for 2018</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GoogleDrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Onedrive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmDeleteEntityDialog</name>
    <message>
        <source>Confirm delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete %1 %2?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmUserSwitchDialog</name>
    <message>
        <source>Confirm user switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to switch from %1 to &apos;%2&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvExportDialogs</name>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomerEditor</name>
    <message>
        <source>Unchanged (not listed)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataManagerDialog</name>
    <message>
        <source>Configuration files (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataUtils</name>
    <message>
        <source>… (cut, %1 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceDetailsEditor</name>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registred:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceListViewItem</name>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceLocationNames</name>
    <message>
        <source>%1 (archived)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceSettingsEditor</name>
    <message>
        <source>The service gave no usable answer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceSettingsForAllDialog</name>
    <message>
        <source>The service gave no usable answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The automatic time and the power schedule of %1 device(s) will be replaced by these settings, whatever they hold now. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The filter finds no device: nothing is changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceTicketListItem</name>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicesCsvExport</name>
    <message>
        <source>%1 of %2 devices read…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 devices exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 devices exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 devices exported: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the export stops at %1 devices</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicesDistributionStatView</name>
    <message>
        <source>Distribution by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicesListView</name>
    <message>
        <source>%1 of %2 devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DevicesStatisticsView</name>
    <message>
        <source>Devices Usage Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infrastructure distribution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage per day of week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart analytics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditEntityDialog</name>
    <message>
        <source>Create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EndpointField</name>
    <message>
        <source>&quot;%1&quot; is not an http or https address; the endpoint in use is kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorEntityDialog</name>
    <message>
        <source>Error! %1 handling failed! %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareCatalogue</name>
    <message>
        <source>it declares entities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a firmware catalogue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateDataEditor</name>
    <message>
        <source>%1 (model %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versions found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - IFPs: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The devices could not be listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking at the devices…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GroupChooser</name>
    <message>
        <source>Group by:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpRequest</name>
    <message>
        <source>The service at %1 redirected the request to %2; the redirect was not followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot reach the service at %1: the answer did not match its declared length (%2 bytes missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service at %1 answered HTTP %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot reach the service at %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer of the service at %1 is larger than %2; it was not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service at %1 did not answer within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListControlsBar</name>
    <message>
        <source>Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListStatusBanner</name>
    <message>
        <source>The service refused the list: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was cut: 1 item left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list was cut: %1 items left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginEditor</name>
    <message>
        <source>operator@example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords do not match.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginView</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrum console [non-production build] v. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrum console v.%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen …</translation>
    </message>
</context>
<context>
    <name>ManageCustomersView</name>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive location &apos;%1&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location &apos;%1&apos; created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location &apos;%1&apos; archived.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location &apos;%1&apos; saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageDevicesView</name>
    <message>
        <source>Current selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag all found devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device %1 saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device %1 unbound from its location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found devices tagged with &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found devices tagged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbind device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbind device %1 from its location?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings written to %1 device(s).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageTagsView</name>
    <message>
        <source>Manage Devices Structure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete tag(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add child tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New child tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add root tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New root tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag &apos;%1&apos; created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag &apos;%1&apos; saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag &apos;%1&apos; deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageTasksView</name>
    <message>
        <source>Choose a task first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to cancel: every ticket of this task has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rollouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the open ticket of this task?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the %1 open tickets of this task?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the failed ticket of this task again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run the %1 failed tickets of this task again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The open tickets of the task were cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The task was started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The failed ticket runs again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 failed tickets run again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ManageUsersView</name>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Credentials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive user &apos;%1&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User &apos;%1&apos; created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User &apos;%1&apos; archived.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User &apos;%1&apos; saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password of &apos;%1&apos; changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login %1 saved for user &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MultiSelectComboBox</name>
    <message>
        <source>Select…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select more…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ObjectListModel</name>
    <message>
        <source>remove: indices [%1 - %2] out of range [0 - %3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insert: index %1 out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set: index %1 out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move: out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List sync() can only be called from a WorkerScript</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OnlineDevicesStatView</name>
    <message>
        <source>Red campus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green campus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverflowToolBarRow</name>
    <message>
        <source>More actions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagedCsvExport</name>
    <message>
        <source>%1 of %2 read…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 exported: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the export stops at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the service sent no more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PenwickStatistics</name>
    <message>
        <source>From: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top 8 Penwick tools usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Docs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webpage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PowerManagementDataEditor</name>
    <message>
        <source>Auto power on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto power off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 event time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtQuickXPlugin</name>
    <message>
        <source>Use QtX::operationXXX(...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create DateTimeOffset values with the DateTimeOffset singleton: DateTimeOffset.now(), DateTimeOffset.of(...)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickUserSwitcher</name>
    <message>
        <source>Back to my own context</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RectangularSwitch</name>
    <message>
        <source>On </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RichMessageDataEditor</name>
    <message>
        <source>Image url</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rights</name>
    <message>
        <source>Not available to the role %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RolloutGroupBar</name>
    <message>
        <source>Group %1: %2 devices, not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group %1: %2 pending, %3 running, %4 completed, %5 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 canceled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RolloutListItem</name>
    <message>
        <source>Rollout %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start next group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RolloutStagesEditor</name>
    <message>
        <source>All at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In stages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group sizes (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter up to 9 whole percentages, e.g. 1, 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last group takes the rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next group at % completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop at % failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the next group by itself (else wait for approval)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RolloutTexts</name>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for approval of the next group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped by errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RolloutsDialog</name>
    <message>
        <source>Rollouts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RolloutsManager</name>
    <message>
        <source>The service could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RolloutsView</name>
    <message>
        <source>The rollouts could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rollouts yet. Choose &quot;In stages&quot; in a firmware update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rollout paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rollout resumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rollout aborted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next group of the rollout started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rollout changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort rollout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort this rollout? 1 device has not started and will not be updated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort this rollout? %1 devices have not started and will not be updated.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scheduler</name>
    <message>
        <source>The stored power schedule cannot be read. It stays as it is unless you add entries.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionExpiredDialog</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Service address set to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware server set to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software store set to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimpleTextDataEditor</name>
    <message>
        <source>Enter message text here...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter task execution data here...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmartReportsView</name>
    <message>
        <source>Offline more than 2 weeks (3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online 24/7 (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online on weekends (4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With legacy firmware (0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With legacy software (0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group of devices:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoftwareStatisticsView</name>
    <message>
        <source>Software Usage Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud storages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penwick tools</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoftwareUsageStatistics</name>
    <message>
        <source>Top 5 Most Used Applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo Gallery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Viewer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SortOrderButton</name>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsTabsView</name>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageInfo</name>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Storages</name>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreCatalogue</name>
    <message>
        <source>it is not a store catalogue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Login credentials malformed.
 Please contact support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Angemeldet bleiben</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archived only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show sublocations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This section is under construction, new features soon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved changes present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are unsaved changes. Do you want to discard them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OTA server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store endpoint:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic date	ime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: For all found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage user password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>campus.example.com</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parent location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is root location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add root location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IFPs and other Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add task: all found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add task: current device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbind device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From archived locations only:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unregistered devices only:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fw:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add new task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid till:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valid from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min OS ver.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min firmware ver.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s new:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update to the latest version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select firmware version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>selected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning! Creating this task will result in disabling current power management settings on the selected IFPs!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticket result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Organization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IFPs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Structure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Admin Flash Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics &amp; Analytics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unidentified error happened! Please, contact the support team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session expired! Please, log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied! You don&apos;t have rights for this action.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid argument!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong context!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service sent an answer that cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service sent an answer without a status.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagDeletion</name>
    <message>
        <source>tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete tag %1 with the %2 tag(s) below it? %3 device(s) lose a tag.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskDetailsEditor</name>
    <message>
        <source>Pending:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succeeded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the task data as sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskDialog</name>
    <message>
        <source>Task %1 created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tasks %2 created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware rollout started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskGeneralEditor</name>
    <message>
        <source>1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Valid till&quot; must be later than &quot;Valid from&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskListViewItem</name>
    <message>
        <source>Succeeded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pending:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskTexts</name>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TasksHandler</name>
    <message>
        <source>Show message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TasksUtilityManager</name>
    <message>
        <source>The store catalogue at %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lists no products</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware catalogue at %1 could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lists no firmware versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TicketDetailsViewer</name>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task data:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriStateChoice</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnsavedDeviceDialog</name>
    <message>
        <source>The changes to %1 are not stored. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsageHoursStatView</name>
    <message>
        <source>Cabinet type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsbTokenCreatorView</name>
    <message>
        <source>Token written to %1, valid till %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technician</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Token written to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsbTokenManager</name>
    <message>
        <source>The service granted no session token.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service sent a validity window that cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserContextBanner</name>
    <message>
        <source>Working as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you do here is recorded under your name and theirs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to my own context</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserContextSwitching</name>
    <message>
        <source>The name of the signed-in user could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UsersListViewItem</name>
    <message>
        <source>Work as this user</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WeekPlanner</name>
    <message>
        <source>Shut down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Log off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licenses are not managed from the console yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available yet: the service does not report usage figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
