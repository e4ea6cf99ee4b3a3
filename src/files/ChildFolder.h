#pragma once

#include "app/Platform.h"

#include <filesystem>

// Where the Save dialog starts. The program's own pics/mypics is kept where
// it can be written; a program installed for the whole system cannot write
// there, so the child gets a folder of their own.

// Whether a file can be created in the folder; a missing folder is not writable.
bool isWritableFolder(const std::filesystem::path& folder);

// "Pintaro" in the user's Pictures folder, made when missing; empty when it
// cannot be made.
std::filesystem::path childOwnFolder(Platform& platform);

// The program's pics/mypics where that can be written, else the child's own
// folder. A missing mypics under a folder that can be written stays as it is
// named, and the dialog starts wherever the platform puts it. Empty when
// there is nowhere to write: the platform chooses then too.
std::filesystem::path artworkFolder(Platform& platform);

// Where colouring pages made from other pictures go: the program's pics
// where that can be written, else the child's own folder.
std::filesystem::path pagesFolder(Platform& platform);
