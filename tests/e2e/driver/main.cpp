// The end-to-end driver: runs one named scenario against the program in
// the current folder and exits with 0 when every check held.
//   e2e_driver <scenario>     e2e_driver --list
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "checks.h"

namespace e2e {

namespace {

std::vector<Scenario>& Scenarios()
{
    static std::vector<Scenario> scenarios;
    return scenarios;
}

int g_failures = 0;
bool g_skipped = false;
constexpr int kSkipped = 77;  // ctest's SKIP_RETURN_CODE

}  // namespace

ScenarioRegistrar::ScenarioRegistrar(const char* name, void (*run)()) { Scenarios().push_back({name, run}); }

void Fail(const std::string& what, const char* file, int line)
{
    ++g_failures;
    const char* base = std::strrchr(file, '/');
    std::printf("FAILED %s:%d: %s\n", base ? base + 1 : file, line, what.c_str());
    std::fflush(stdout);
}

int FailureCount() { return g_failures; }

void Skip(const std::string& why)
{
    g_skipped = true;
    std::printf("skipped: %s\n", why.c_str());
    std::fflush(stdout);
}

bool Skipped() { return g_skipped; }

}  // namespace e2e

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: e2e_driver <scenario> | --list\n");
        return 2;
    }
    const std::string wanted = argv[1];
    for (const e2e::Scenario& s : e2e::Scenarios()) {
        if (wanted == "--list") {
            std::printf("%s\n", s.name);
        } else if (wanted == s.name) {
            s.run();
            if (!e2e::FailureCount() && e2e::Skipped()) return e2e::kSkipped;
            std::printf("%s: %s\n", s.name, e2e::FailureCount() ? "FAILED" : "passed");
            return e2e::FailureCount() ? 1 : 0;
        }
    }
    if (wanted == "--list") return 0;
    std::printf("no scenario named %s\n", wanted.c_str());
    return 2;
}
