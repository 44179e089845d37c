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
        <source>© %1. All rights reserved.</source>
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
    <name>LoginEditor</name>
    <message>
        <source>operator@example.com</source>
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
        <source>%1  ❌</source>
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
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Log off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
