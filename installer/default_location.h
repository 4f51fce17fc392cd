#pragma once
// The default install drive: D: when it has at least 1000 MB free, else C:.
#include <windows.h>

#include <cstdint>

// The system call that measures a volume; tests put their own in its place.
using DiskFreeSpaceCall = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// Fills the three figures in whole megabytes; gives the system call's result.
[[nodiscard]] int32_t QueryDiskSpaceMB(const char* directory, int64_t& usedMB, int64_t& freeMB, int64_t& totalMB,
                                       DiskFreeSpaceCall query = &GetDiskFreeSpaceExA) noexcept;

// "D:\" when "d:" has at least 1000 MB free, "C:\" otherwise.
[[nodiscard]] const char* DefaultInstallDrive(DiskFreeSpaceCall query = &GetDiskFreeSpaceExA) noexcept;
