#pragma once

#include "LocationReach.h"
#include "Session.h"

#include <QObject>
#include <QVector>
#include <optional>

namespace service {

class LocationTree;

// Who may do what. God sees everything; administrators manage their own location and its
// sublocations (local administrators without creating locations); technicians read devices,
// tasks and tickets and create tasks; device and service roles use none of the console's calls.
class AccessPolicy
{
    Q_GADGET
public:
    // What a role may do at all, whatever the object; the console keeps the same table to
    // offer only these actions (a test holds the two together).
    enum class Right {
        AddLocation,
        AddRootLocation,
        EditLocation,
        ArchiveLocation,
        AddUser,
        EditUser,
        ArchiveUser,
        DisableUser,
        ManageLogins,
        SwitchUserContext,
        CreateTag,
        EditTag,
        DeleteTag,
        EditDevice,
        TagDevices,
        UnbindDevice,
        EditDeviceSettings,
        AddTask,
        CancelTask,
        RestartTask,
        AddRollout,
        SteerRollout,
        CreateRoleSession,
        ReadActivity,
    };
    Q_ENUM(Right)

    explicit AccessPolicy(LocationTree &tree);

    static bool roleHas(int role, Right right);
    static void require(const Caller &caller, Right right);

    static bool isConsoleRole(int role);
    static bool isManagerRole(int role);

    void requireConsoleRole(const Caller &caller) const;
    void requireManager(const Caller &caller) const;
    void requireGod(const Caller &caller) const;
    // Logins, passwords, role sessions and user contexts need the user's own session: a
    // time-limited role session acts only with its role's rights.
    static void requireOwnSession(const Caller &caller);

    // The caller's locations: with servants his location and its sublocations, else only his own.
    LocationReach reach(const Caller &caller, bool includeServants = true) const;
    // An entity outside the caller's reach answers as if it did not exist, so that ids do not
    // map other locations; what names it goes into the message ("no such <what>").
    void requireInReach(const Caller &caller, qint64 customerId,
        const QString &what = QStringLiteral("location")) const;
    // A location named as an argument (a new parent or home): unknown and out of reach alike
    // are refused as invalid.
    void requireLocationArgument(const Caller &caller, qint64 customerId) const;
    // A list narrowed to one location of the caller's reach (and its sublocations), or the
    // caller's own reach when no location is named (0 or -1).
    LocationReach scopedReach(
        const Caller &caller, std::optional<qint64> customerId, bool includeServants) const;

    static QVector<int> rolesAllowedToCreate(int callerRole);
    static bool mayGrantRole(int callerRole, int role);
    // Whether the caller may act as (or manage) a user of this role.
    static bool outranksOrEquals(int callerRole, int targetRole);
    // Whether the caller's role stands above the target's (God, Administrator,
    // LocalAdministrator, Technician, then every other role).
    static bool outranks(int callerRole, int targetRole);

private:
    LocationTree &m_tree;
};

} // namespace service
