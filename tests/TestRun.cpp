#define DOCTEST_CONFIG_IMPLEMENT
#include "tests/TestRun.h"

#include <doctest/doctest.h>

#include <cstdio>

namespace {

// Told by doctest how many cases the filters let through.
class CaseCount : public doctest::IReporter
{
public:
    explicit CaseCount(const doctest::ContextOptions&) {}

    static inline unsigned picked = 0;

    void test_run_end(const doctest::TestRunStats& stats) override { picked = stats.numTestCasesPassingFilters; }

    void report_query(const doctest::QueryData&) override {}
    void test_run_start() override {}
    void test_case_start(const doctest::TestCaseData&) override {}
    void test_case_reenter(const doctest::TestCaseData&) override {}
    void test_case_end(const doctest::CurrentTestCaseStats&) override {}
    void test_case_exception(const doctest::TestCaseException&) override {}
    void subcase_start(const doctest::SubcaseSignature&) override {}
    void subcase_end() override {}
    void log_assert(const doctest::AssertData&) override {}
    void log_message(const doctest::MessageData&) override {}
    void test_case_skipped(const doctest::TestCaseData&) override {}
};

DOCTEST_REGISTER_LISTENER("case-count", 1, CaseCount);

} // namespace

int runTestCases(int argc, char** argv)
{
    doctest::Context context(argc, argv);
    const int result = context.run();
    if (context.shouldExit() || result != 0)
        return result;
    if (CaseCount::picked == 0) {
        std::fprintf(stderr, "no test case matches the filters: nothing was checked\n");
        return 1;
    }
    return 0;
}
