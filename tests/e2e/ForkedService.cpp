#include "ForkedService.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <thread>
#include <unistd.h>

namespace {

constexpr auto startTimeout = std::chrono::seconds(60);

} // namespace

ForkedService::ForkedService(std::string binary, std::string workDir)
    : m_binary(std::move(binary))
    , m_workDir(std::move(workDir))
{ }

ForkedService::~ForkedService()
{
    stop();
}

bool ForkedService::start(std::string &error)
{
    const std::string database = m_workDir + "/service.sqlite";
    const std::string output = m_workDir + "/service-out.txt";
    const std::string errors = m_workDir + "/service-err.txt";
    // A restart keeps the port, so that a running console keeps its service URI.
    const std::string listen = "127.0.0.1:" + std::to_string(m_port);
    [[maybe_unused]] const pid_t parent = getpid();
    m_pid = fork();
    if (m_pid < 0) {
        error = "fork failed";
        return false;
    }
    if (m_pid == 0) {
#ifdef __linux__
        // A test that crashes takes its service with it instead of leaving it running.
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent)
            _exit(126);
#endif
        const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        std::vector<const char *> argv { m_binary.c_str(), "--db", database.c_str(), "--listen",
            listen.c_str(), "--demo" };
        for (const std::string &argument : m_extraArguments)
            argv.push_back(argument.c_str());
        argv.push_back(nullptr);
        execv(m_binary.c_str(), const_cast<char *const *>(argv.data()));
        _exit(127);
    }

    const std::regex listening("listening on [^:\\s]+:(\\d+)");
    const auto deadline = std::chrono::steady_clock::now() + startTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        std::smatch match;
        const std::string text = readOutput();
        if (std::regex_search(text, match, listening)) {
            m_port = std::stoi(match[1]);
            return true;
        }
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            error = "the service ended at start: " + text;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    error = "the service did not tell its port in time";
    stop();
    return false;
}

void ForkedService::addArguments(const std::vector<std::string> &arguments)
{
    m_extraArguments.insert(m_extraArguments.end(), arguments.begin(), arguments.end());
}

void ForkedService::stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    int status = 0;
    while (waitpid(m_pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_pid = -1;
}

std::string ForkedService::serviceUri() const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + "/QuillonService.svc";
}

std::string ForkedService::readOutput() const
{
    std::ifstream file(m_workDir + "/service-out.txt");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
