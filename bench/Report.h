#pragma once
// The benchmark's output: one line per figure, the median of the runs of a program against the
// median of its baseline's runs from the same run of the benchmark, as a ratio with its target.
#include <string>
#include <vector>

namespace bench {

double Median(std::vector<double> values);

struct Comparison {
    std::string figure;    // what is measured: "installation, 2,000 files / 200 MB"
    std::string subject;   // "Install.exe"
    std::string baseline;  // "cp -r"
    std::vector<double> subjectRuns;
    std::vector<double> baselineRuns;
    double targetRatio = 1;  // the subject's median may be at most this times the baseline's
};

// "<figure>: <subject> 1.234 s vs <baseline> 0.987 s = 1.25x (target within 1.30x: met)"
// followed by every run's value, so that the spread shows.
void PrintTimes(const Comparison& comparison);

// Sizes in bytes against a budget, with a reference size for scale.
void PrintSize(const std::string& figure, double bytes, double budgetBytes,
               const std::string& reference, double referenceBytes);

// CPU seconds used while idle: the target is zero within the clock's resolution.
void PrintIdleCpu(const std::string& figure, const std::vector<double>& subjectRuns,
                  const std::vector<double>& baselineRuns, double resolution);

}  // namespace bench
