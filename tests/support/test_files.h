// Files and folders a test lays out in its Wine prefix. Paths are UTF-8
// and reach Windows in wide characters, as Explorer hands them on, so that
// a test can name folders the ANSI code page lacks characters of.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

std::wstring WidePath(const std::string& path);
// The short form of an existing file or folder, as the system gives it, in
// the ANSI code page; the path unchanged where it has only ASCII
// characters. A test expects what setup puts on a command line or in its
// log for a folder the code page lacks characters of.
std::string ShortFormOf(const std::string& path);
// `text` with each of the folders in it in their short forms.
std::string WithShortForms(std::string text, const std::vector<std::string>& folders);

// Makes the folder and every folder above it that is missing; true when it
// is there afterwards.
bool MakeFolders(const std::string& path);
// Writes a file, making its folders; the bytes are written as given.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
// An empty file, made anew.
void MakeFile(const char* path);
// The lines of a text file without their line ends; none when it is missing.
std::vector<std::string> ReadTextLines(const std::string& path);
