// Checks and the scenario registry of the end-to-end driver.
#pragma once

#include <sstream>
#include <string>

namespace e2e {

void Fail(const std::string& what, const char* file, int line);
int FailureCount();
// A scenario that cannot run here (what it needs was not provided) says
// why and ends as skipped, not as passed.
void Skip(const std::string& why);
bool Skipped();

template <typename A, typename B>
void CheckEqual(const A& actual, const B& expected, const char* actualText, const char* expectedText, const char* file,
                int line)
{
    if (actual == expected) return;
    std::ostringstream out;
    out << actualText << " == " << expectedText << ": got [" << actual << "], expected [" << expected << "]";
    Fail(out.str(), file, line);
}

struct Scenario {
    const char* name;
    void (*run)();
};

// Registers a scenario at static-initialisation time.
struct ScenarioRegistrar {
    ScenarioRegistrar(const char* name, void (*run)());
};

}  // namespace e2e

#define CHECK(condition) ((condition) ? (void)0 : e2e::Fail("CHECK(" #condition ")", __FILE__, __LINE__))
#define CHECK_EQ(actual, expected) e2e::CheckEqual((actual), (expected), #actual, #expected, __FILE__, __LINE__)
// Stops the scenario when a precondition for the rest of it fails.
#define REQUIRE(condition)                                            \
    do {                                                              \
        if (!(condition)) {                                           \
            e2e::Fail("REQUIRE(" #condition ")", __FILE__, __LINE__); \
            return;                                                   \
        }                                                             \
    } while (0)

#define SCENARIO(name)                                                      \
    static void scenario_##name();                                          \
    static e2e::ScenarioRegistrar registrar_##name(#name, scenario_##name); \
    static void scenario_##name()

// A scenario of the download: run by run-download-scenario on the unzipped
// download instead of the build's own files.
#define DOWNLOAD_SCENARIO(name)                                              \
    static void download_##name();                                           \
    static e2e::ScenarioRegistrar dregistrar_##name(#name, download_##name); \
    static void download_##name()

// A measurement: run by name like a scenario, never as a test; it prints
// figures and checks only that the measured path worked.
#define MEASUREMENT(name)                                                       \
    static void measurement_##name();                                           \
    static e2e::ScenarioRegistrar mregistrar_##name(#name, measurement_##name); \
    static void measurement_##name()
