#pragma once

#include <fstream>
#include <string>

// A field of this process's /proc status in KiB ("VmRSS:", "VmHWM:").
inline long StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
  }
  return 0;
}

// The resident memory of this process in KiB, from /proc.
inline long ResidentKiB() { return StatusKiB("VmRSS:"); }

// The peak resident memory since the last ResetPeakResident, in KiB.
inline long PeakResidentKiB() { return StatusKiB("VmHWM:"); }

// Makes the current resident memory the peak.
inline void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }
