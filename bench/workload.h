#pragma once

#include <filesystem>
#include <string>

namespace lumtrak::bench {

struct WorkloadShape {
    int panels = 20'000;     // panels of the definition itself
    int includes = 50;       // parts it includes by name
    int indexFiles = 2'000;  // stock files named by the index
    int definitionsPerFile = 10;
    int panelsPerPart = 12;
};

// One panel line of each kind in turn, with the tails authors write; CR LF ends it.
std::string PanelLine(int i);

// Writes a program folder with a "Stock Index" and its stock files, and gives
// the text of a definition that includes parts through that index.
std::string WriteWorkload(const std::filesystem::path& programFolder, const WorkloadShape& shape);

// The default workload, written on first use into a temporary folder that then
// serves as the program folder, and removed when the benchmark program ends.
const std::string& SharedWorkloadText();

// Fill lines of the kinds authors write, about `bytes` long in all: the
// selection that the editing-tool benchmarks rewrite.
std::string FillLines(std::size_t bytes);

}  // namespace lumtrak::bench
