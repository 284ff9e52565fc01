#include "pe_file.h"

std::vector<BYTE> ReadWholeFile(const char* path)
{
    std::vector<BYTE> bytes;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, NULL));
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, bytes.data(), (DWORD)bytes.size(), &read, NULL);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

PeFile::PeFile(const std::vector<BYTE>& bytes) : bytes_(bytes)
{
    if (bytes.size() < sizeof(IMAGE_DOS_HEADER))
        return;
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)bytes.data();
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
        (size_t)dos->e_lfanew + sizeof(IMAGE_NT_HEADERS64) > bytes.size())
        return;
    const IMAGE_NT_HEADERS32* nt = (const IMAGE_NT_HEADERS32*)(bytes.data() + dos->e_lfanew);
    if (nt->Signature == IMAGE_NT_SIGNATURE)
        nt_ = nt;
}

bool PeFile::Is64() const
{
    return nt_->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
}

WORD PeFile::Machine() const
{
    return nt_->FileHeader.Machine;
}

WORD PeFile::Subsystem() const
{
    return nt_->OptionalHeader.Subsystem;  // the same place in both formats
}

const IMAGE_DATA_DIRECTORY& PeFile::Directory(int index) const
{
    if (Is64())
        return ((const IMAGE_NT_HEADERS64*)nt_)->OptionalHeader.DataDirectory[index];
    return nt_->OptionalHeader.DataDirectory[index];
}

const BYTE* PeFile::At(DWORD rva) const
{
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt_);
    for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i) {
        const IMAGE_SECTION_HEADER& section = sections[i];
        if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData)
            return bytes_.data() + section.PointerToRawData + (rva - section.VirtualAddress);
    }
    return nullptr;
}
