#pragma once
// A host running in the test's own process, for every test program.
//
//   TEST_F(MyTest, ...) with `class MyTest : public nbtest::HostTest {}`
//       a fresh host per test (batch mode, no plug-ins, output captured);
//   nbtest::ScopedHost host;             a host for one scope;
//   ::testing::AddGlobalTestEnvironment(new nbtest::HostEnvironment);
//       one host for the whole program (create it in main or a static);
//   nbtest::runHost({"-batch", "-command", "print 1"})
//       runs the built nbhost and collects its exit status and output.

#include "core/Host.h"
#include "core/Output.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace nbtest {

// A directory of its own under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir
{
public:
    explicit TempDir(const std::string& prefix = "nbtest")
    {
        std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-" + std::string(6, 'X'))).string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary directory");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }
    // Writes a file in the directory and returns its path.
    std::string write(const std::string& name, const std::string& text) const
    {
        std::ofstream(file(name), std::ios::binary) << text;
        return file(name);
    }

private:
    std::string m_path;
};

// Everything the host writes (print, info, warnings, errors, echoes) while
// it exists, instead of the standard streams.
class OutputCapture
{
public:
    using Kind = nbhost::Output::Kind;

    OutputCapture()
    {
        m_previous = nbhost::Output::setSink(
            [this](Kind kind, const std::string& text) { m_lines.emplace_back(kind, text); });
    }
    ~OutputCapture() { nbhost::Output::setSink(std::move(m_previous)); }
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    const std::vector<std::pair<Kind, std::string>>& lines() const { return m_lines; }
    // The texts of one kind, one per line.
    std::string text(Kind kind) const
    {
        std::string result;
        for (const auto& line : m_lines)
            if (line.first == kind)
                result += line.second + "\n";
        return result;
    }
    // What print wrote, as it would appear on standard output.
    std::string printed() const
    {
        std::string result;
        for (const auto& line : m_lines)
            if (line.first == Kind::Print)
                result += line.second;
        return result;
    }
    std::string errors() const { return text(Kind::Error); }
    std::string warnings() const { return text(Kind::Warning); }
    void clear() { m_lines.clear(); }

private:
    std::vector<std::pair<Kind, std::string>> m_lines;
    nbhost::Output::Sink m_previous;
};

struct HostSetup
{
    nbhost::HostMode mode = nbhost::HostMode::Batch;
    bool loadPlugins = false;
    bool captureOutput = true;
};

// A started host with a fresh preference directory, quit and destroyed at
// the end of the scope.
class ScopedHost
{
public:
    explicit ScopedHost(HostSetup setup = HostSetup()) : m_prefs("nbprefs")
    {
        if (setup.captureOutput)
            m_output = std::make_unique<OutputCapture>();
        nbhost::HostOptions options;
        options.mode = setup.mode;
        options.prefsDir = m_prefs.path();
        options.loadPlugins = setup.loadPlugins;
        m_host = std::make_unique<nbhost::Host>(options);
        m_host->start();
    }
    ~ScopedHost() { m_host.reset(); }

    nbhost::Host& host() { return *m_host; }
    // Evaluates as typed by the user, with undo on.
    nbhost::EvalResult eval(const std::string& script, bool undo = true)
    {
        return m_host->evaluate(script, nbhost::EvalOptions{false, undo, nbhost::JournalSource::User, ""});
    }
    // Null when output is not captured.
    OutputCapture* output() { return m_output.get(); }
    const std::string& prefsDir() const { return m_prefs.path(); }

private:
    TempDir m_prefs;
    std::unique_ptr<OutputCapture> m_output;
    std::unique_ptr<nbhost::Host> m_host;
};

// A fresh host for each test of the fixture; override setup() to change it.
class HostTest : public ::testing::Test
{
protected:
    virtual HostSetup setup() const { return HostSetup(); }
    void SetUp() override { m_scoped = std::make_unique<ScopedHost>(setup()); }
    void TearDown() override { m_scoped.reset(); }

    nbhost::Host& host() { return m_scoped->host(); }
    nbhost::EvalResult eval(const std::string& script, bool undo = true) { return m_scoped->eval(script, undo); }
    OutputCapture& output() { return *m_scoped->output(); }
    const std::string& prefsDir() const { return m_scoped->prefsDir(); }

    // The value of a script that must succeed.
    nbhost::Value run(const std::string& script)
    {
        nbhost::EvalResult result = eval(script);
        EXPECT_TRUE(result.ok) << script << "\n" << output().errors();
        return result.value;
    }
    // A script that must fail; returns the errors it printed.
    std::string failure(const std::string& script)
    {
        output().clear();
        EXPECT_FALSE(eval(script).ok) << script;
        return output().errors();
    }

private:
    std::unique_ptr<ScopedHost> m_scoped;
};

// One host for a whole test program.
class HostEnvironment : public ::testing::Environment
{
public:
    explicit HostEnvironment(HostSetup setup = HostSetup()) : m_setup(setup) {}
    void SetUp() override { m_scoped = std::make_unique<ScopedHost>(m_setup); }
    void TearDown() override { m_scoped.reset(); }
    ScopedHost& scoped() { return *m_scoped; }

private:
    HostSetup m_setup;
    std::unique_ptr<ScopedHost> m_scoped;
};

struct ProcessResult
{
    int exitCode = -1; // -1 when the process did not end normally
    std::string out;
    std::string err;
};

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the built nbhost with the arguments and waits for it. Output goes
// through files, so a chatty child cannot block on a full pipe.
inline ProcessResult runHost(const std::vector<std::string>& args)
{
    TempDir dir("nbrun");
    const std::string outPath = dir.file("out");
    const std::string errPath = dir.file("err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> argv = {NB_HOST_EXE};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    ProcessResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, NB_HOST_EXE, &actions, nullptr, pointers.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = readFile(outPath);
    result.err = readFile(errPath);
    return result;
}

} // namespace nbtest
