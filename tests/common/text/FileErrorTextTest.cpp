#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "common/files/SafeFile.h"
#include "common/text/FileErrorText.h"
#include "common/text/LanguageText.h"

using namespace vantorel;

// The message names the file and the cause in the active language; a file
// name that looks like a placeholder stays as it is.
TEST(FileErrorText, NamesTheFileAndTheCauseInEachLanguage) {
    EXPECT_EQ(cannotWriteFileMessage("j2011.sat", ENOSPC, kEnglish),
              "Cannot write the file j2011.sat: No space left on device. Nothing was changed.");
    EXPECT_EQ(cannotWriteFileMessage("a.pdf", EACCES, kFrench),
              "Impossible d'\u00e9crire le fichier a.pdf : Permission refus\u00e9e. Rien n'a "
              "\u00e9t\u00e9 modifi\u00e9.");
    EXPECT_EQ(cannotWriteFileMessage("ro.txt", kReadOnlyFile, kSpanish),
              "No se puede escribir el archivo ro.txt: el archivo es de solo lectura. No se ha "
              "modificado nada.");
    EXPECT_EQ(cannotWriteFileMessage("100%2 %1.txt", ENOENT, kEnglish),
              "Cannot write the file 100%2 %1.txt: No such file or directory. Nothing was changed.");
    // A cause without a text of ours is still the system's own.
    EXPECT_EQ(fileErrorCause(ETXTBSY, kFrench), std::strerror(ETXTBSY));
}
