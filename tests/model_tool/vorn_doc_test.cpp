// The document tool: counts for a document that loads, the load error and a failing exit status
// for one that does not.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct ToolRun {
    int status = -1;
    std::string output;
};

ToolRun RunTool(const std::string& document) {
    const std::string command = std::string("\"") + VORN_BIN_DIR + "/vorn-doc\" \"" + document + "\" 2>&1";
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe)) run.output += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(VornDoc, PrintsTheCountsOfADocument) {
    const ToolRun run = RunTool(std::string(VORN_SHARED_DIR) + "/fixtures/hostile/valid_tiny.xml");
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* line : {"entities: 6\n", "activities: 3\n", "entries: 6\n", "chime sets: 1\n", "groups: 1\n",
                             "absences: 1\n"})
        EXPECT_NE(run.output.find(line), std::string::npos) << line << run.output;
}

TEST(VornDoc, ReportsALoadErrorAndFails) {
    const ToolRun run = RunTool(std::string(VORN_SHARED_DIR) + "/fixtures/hostile/truncated.xml");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cannot be read"), std::string::npos) << run.output;
    EXPECT_EQ(RunTool("/nonexistent/plan.xml").status, 1);
}

}  // namespace
