#pragma once
// How many handles this process holds (keys, searches, files, ...), as the wineserver counts
// them: a routine that leaves the count as it found it has closed what it opened.
namespace testing_support {

unsigned OpenHandleCount();

}  // namespace testing_support
