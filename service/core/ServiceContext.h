#pragma once

namespace service {

class AccessPolicy;
class Catalogues;
class Database;
class LocationTree;
class SessionStore;
class TaskProgress;

// The shared parts every handler works with; owned by ManagementService.
struct ServiceContext
{
    Database &database;
    SessionStore &sessions;
    LocationTree &tree;
    AccessPolicy &policy;
    TaskProgress &progress;
    const Catalogues &catalogues;
};

} // namespace service
