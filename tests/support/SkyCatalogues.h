#pragma once

#include <filesystem>

// Copies the shipped catalogues into data/ of the working directory, where
// the sky chart reads them.
inline void copySkyCatalogues() {
    std::filesystem::create_directory("data");
    for (const char* name : {"const.dat", "etoiles.dat"})
        std::filesystem::copy_file(std::filesystem::path(VANTOREL_SOURCE_DIR) / "data" / name,
                                   std::filesystem::path("data") / name);
}
