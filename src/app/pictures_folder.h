// The player's pictures folder, where result cards go: XDG_PICTURES_DIR as
// the user-dirs.dirs file of the config folder sets it, else ~/Pictures when
// it exists, else the save folder.
#pragma once
#include <string>

#include "app/save_folder.h"

// The pictures folder a user-dirs.dirs text names (its $HOME expanded), or
// "" when it names none (or only $HOME itself, which is no pictures folder).
std::string UserDirsPictures(const std::string& text, const std::string& home);
std::string PicturesFolder(const TEnvLookup& env, const std::string& saveFolder);
