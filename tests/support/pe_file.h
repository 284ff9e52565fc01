// The built programs read as files, for the tests that look at what they
// hold: their headers and their bytes by relative virtual address, in the
// 32-bit and in the x86_64 format alike.
#pragma once
#include <windows.h>
#include <vector>

// The whole file; empty when it cannot be read.
std::vector<BYTE> ReadWholeFile(const char* path);

class PeFile {
public:
    explicit PeFile(const std::vector<BYTE>& bytes);
    // A DOS header, and PE headers where it says they are.
    bool Valid() const { return nt_ != nullptr; }
    bool Is64() const;
    WORD Machine() const;
    WORD Subsystem() const;
    const IMAGE_DATA_DIRECTORY& Directory(int index) const;
    // The bytes at a relative virtual address; null outside the sections.
    const BYTE* At(DWORD rva) const;

private:
    const std::vector<BYTE>& bytes_;
    const IMAGE_NT_HEADERS32* nt_ = nullptr;
};
