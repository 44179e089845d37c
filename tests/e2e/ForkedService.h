#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// The reference service in a child process of its own, on a free loopback port. Started with
// plain process calls, as the console's own application object does not exist yet then.
class ForkedService
{
public:
    ForkedService(std::string binary, std::string workDir);
    ~ForkedService();
    ForkedService(const ForkedService &) = delete;
    ForkedService &operator=(const ForkedService &) = delete;

    // Starts the service on a demo database and waits until it tells its port; a start after a
    // stop reuses the database and the port.
    bool start(std::string &error);
    // Options added to the command line of the next start, e.g. the simulated fleet.
    void addArguments(const std::vector<std::string> &arguments);
    void stop();
    bool isRunning() const { return m_pid > 0; }
    std::string serviceUri() const;
    const std::string &workDir() const { return m_workDir; }

private:
    std::string readOutput() const;

    std::string m_binary;
    std::string m_workDir;
    pid_t m_pid = -1;
    int m_port = 0;
    std::vector<std::string> m_extraArguments;
};
