#include "Report.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

std::string Runs(const std::vector<double>& values, double scale, const char* format) {
    std::string text;
    for (double value : values) {
        char number[32];
        std::snprintf(number, sizeof number, format, value * scale);
        text += (text.empty() ? "" : " ") + std::string(number);
    }
    return text;
}

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintTimes(const Comparison& c) {
    const double subject = Median(c.subjectRuns), baseline = Median(c.baselineRuns);
    const double ratio = subject / baseline;
    std::printf("%s: %s %.3f s vs %s %.3f s = %.2fx (target within %.2fx: %s)"
                " [runs in s: %s; %s]\n",
                c.figure.c_str(), c.subject.c_str(), subject, c.baseline.c_str(), baseline, ratio,
                c.targetRatio, Verdict(ratio <= c.targetRatio),
                Runs(c.subjectRuns, 1, "%.3f").c_str(), Runs(c.baselineRuns, 1, "%.3f").c_str());
    std::fflush(stdout);
}

void PrintSize(const std::string& figure, double bytes, double budgetBytes,
               const std::string& reference, double referenceBytes) {
    const double ratio = bytes / budgetBytes;
    std::printf("%s: %.0f B vs budget %.0f B = %.2fx (target below 1.00x: %s) [%s: %.0f B]\n",
                figure.c_str(), bytes, budgetBytes, ratio, Verdict(ratio < 1), reference.c_str(),
                referenceBytes);
    std::fflush(stdout);
}

void PrintIdleCpu(const std::string& figure, const std::vector<double>& subjectRuns,
                  const std::vector<double>& baselineRuns, double resolution) {
    const double subject = Median(subjectRuns), baseline = Median(baselineRuns);
    char ratio[48] = "no ratio (the baseline is zero)";
    if (baseline > 0) std::snprintf(ratio, sizeof ratio, "%.2fx", subject / baseline);
    std::printf("%s: Install.exe %.0f ms vs minimal window %.0f ms = %s (target zero within the"
                " clock's %.0f ms: %s) [runs in ms: %s; %s]\n",
                figure.c_str(), subject * 1e3, baseline * 1e3, ratio, resolution * 1e3, Verdict(subject < resolution),
                Runs(subjectRuns, 1e3, "%.0f").c_str(), Runs(baselineRuns, 1e3, "%.0f").c_str());
    std::fflush(stdout);
}

}  // namespace bench
