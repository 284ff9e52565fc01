// Files and folders a test lays out in its Wine prefix.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Makes the folder and every folder above it that is missing; true when it
// is there afterwards.
bool MakeFolders(const std::string& path);
// Writes a file, making its folders; the bytes are written as given.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// An empty file, made anew.
void MakeFile(const char* path);
// The lines of a text file without their line ends; none when it is missing.
std::vector<std::string> ReadTextLines(const std::string& path);
