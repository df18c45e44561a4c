#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace radio {
namespace {
namespace fs = std::filesystem;

class IniFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() / ("radioprog-ini-" + std::to_string(::getpid()) + "-" +
                                     testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "Program.ini").string();
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write, ec);
    fs::remove_all(dir_, ec);
  }
  void Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Loads `text` as Program.ini (case-insensitive unless asked otherwise).
  void LoadText(CIniFile& ini, const std::string& text, bool caseInsensitive = true) {
    Write(path_, text);
    ASSERT_TRUE(ini.LoadPath(path_, false, caseInsensitive, false));
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(IniFileTest, TrailingCommentsAreCutFromValues) {
  CIniFile ini;
  LoadText(ini,
           "[Setup]\n"
           "Slash=word //note\n"
           "Tab=5\t;note\n"
           "Semicolon=a;b\n"
           "SpaceSemicolon=a ;b\n"
           "Block=x /* y */\n"
           "Order=a/*b//c\n"
           "Equals=a=b\n");
  EXPECT_EQ(ini.Get("Setup", "Slash", ""), "word ");
  EXPECT_EQ(ini.Get("Setup", "Tab", ""), "5");
  EXPECT_EQ(ini.Get("Setup", "Semicolon", ""), "a;b");
  EXPECT_EQ(ini.Get("Setup", "SpaceSemicolon", ""), "a ;b");
  EXPECT_EQ(ini.Get("Setup", "Block", ""), "x ");
  EXPECT_EQ(ini.Get("Setup", "Order", ""), "a");
  EXPECT_EQ(ini.Get("Setup", "Equals", ""), "a=b");
}

TEST_F(IniFileTest, FirstSectionAndLastKeyWinForGetAndSet) {
  CIniFile ini;
  LoadText(ini,
           "[Setup]\nLanguage=English\nLanguage=Chinese\n"
           "[Setup]\nLanguage=German\nOnlyHere=1\n");
  EXPECT_EQ(ini.Get("Setup", "Language", ""), "Chinese");
  EXPECT_EQ(ini.Get("setup", "OnlyHere", "none"), "none");
  ini.Set("Setup", "Language", "English");
  EXPECT_EQ(ini.Get("Setup", "Language", ""), "English");
  ini.Save(false);
  EXPECT_EQ(Read(path_),
            "[Setup]\r\nLanguage=English\r\nLanguage=English\r\n"
            "[Setup]\r\nLanguage=German\r\nOnlyHere=1\r\n");
}

TEST_F(IniFileTest, HeadersKeepBlanksInsideTheBrackets) {
  CIniFile ini;
  LoadText(ini, "[ Setup ]\nA=1\n  [Other]  \nB=2\n");
  EXPECT_EQ(ini.Get("Setup", "A", "missing"), "missing");
  EXPECT_EQ(ini.Get(" Setup ", "A", ""), "1");
  EXPECT_EQ(ini.Get("Other", "B", ""), "2");
}

TEST_F(IniFileTest, DefaultsAreUntrimmedForMissingSectionsAndTrimmedForMissingKeys) {
  CIniFile ini;
  LoadText(ini, "[Setup]\nA=1\n");
  EXPECT_EQ(ini.Get("Nowhere", "A", "  d \t"), "  d \t");
  EXPECT_EQ(ini.Get("Setup", "B", "  d \t"), "d");
}

TEST_F(IniFileTest, LinesAreTrimmedCommentsAndEmptyKeysSkipped) {
  CIniFile ini;
  LoadText(ini,
           "Top = before header \r\n"
           "\r\n"
           "; semicolon\r\n"
           "// slashes\r\n"
           "/* block */\r\n"
           "\\ backslash\r\n"
           "* star\r\n"
           "=no key\r\n"
           "\t\v\f[Setup]\t \r\n"
           "  Name  =  \t Value with  blanks \t \r\n"
           "JustAKey\r\n"
           "[unbalanced\r\n"
           "Last=no newline");
  EXPECT_EQ(ini.Get("", "Top", ""), "before header");
  EXPECT_EQ(ini.Get("Setup", "Name", ""), "Value with  blanks");
  EXPECT_EQ(ini.Get("Setup", "JustAKey", "x"), "");
  EXPECT_EQ(ini.Get("Setup", "[unbalanced", "x"), "");
  EXPECT_EQ(ini.Get("Setup", "Last", ""), "no newline");
  EXPECT_EQ(ini.Get("", "; semicolon", "gone"), "gone");
  EXPECT_EQ(ini.Get("", "\\ backslash", "gone"), "gone");

  // What the file keeps: the comments and blank lines are gone, the keys
  // before the first header stand at the top without a header.
  ini.Set("Setup", "Name", "Changed");
  ini.Save(false);
  EXPECT_EQ(Read(path_),
            "Top=before header\r\n"
            "[Setup]\r\n"
            "Name=Changed\r\n"
            "JustAKey=\r\n"
            "[unbalanced=\r\n"
            "Last=no newline\r\n");
}

TEST_F(IniFileTest, CrLfAndLfFilesReadAlike) {
  CIniFile lf;
  CIniFile crlf;
  LoadText(lf, "[Setup]\nLanguage=Chinese\nAppName=Radio\n");
  const std::string other = (dir_ / "Other.ini").string();
  Write(other, "[Setup]\r\nLanguage=Chinese\r\nAppName=Radio\r\n");
  ASSERT_TRUE(crlf.LoadPath(other, false, true, false));
  for (const char* key : {"Language", "AppName"}) {
    EXPECT_EQ(lf.Get("Setup", key, "?"), crlf.Get("Setup", key, "?")) << key;
  }
  EXPECT_EQ(crlf.Get("Setup", "Language", ""), "Chinese");
}

TEST_F(IniFileTest, SaveWritesCrLfLinesAndKeepsAnEmptyHeaderApart) {
  CIniFile ini;
  LoadText(ini, "K=v\n[Setup]\nLanguage=English\n[]\nLanguage=Chinese\n");
  ini.Set("B", "z", "3");
  EXPECT_EQ(ini.Save(false), "");
  EXPECT_TRUE(ini.LastSaveOk());
  EXPECT_EQ(Read(path_),
            "K=v\r\n[Setup]\r\nLanguage=English\r\n[]\r\nLanguage=Chinese\r\n[B]\r\nz=3\r\n");
  // Saving does not change what the file says.
  CIniFile back;
  ASSERT_TRUE(back.LoadPath(path_, false, true, false));
  EXPECT_EQ(back.Get("Setup", "Language", ""), "English");
}

TEST_F(IniFileTest, SaveWritesNothingUntilSomethingChangedAndKeepsTheMark) {
  CIniFile ini;
  const std::string original = "; my notes\n[Setup]\nLanguage=English\n";
  LoadText(ini, original);
  EXPECT_EQ(ini.Save(false), "");
  ini.Set("setup", "LANGUAGE", "English");  // the same value, found under the case rule
  EXPECT_FALSE(ini.Modified());
  ini.Save(false);
  EXPECT_EQ(Read(path_), original);

  ini.Set("Setup", "Language", "Chinese");
  EXPECT_TRUE(ini.Modified());
  ini.Save(false);
  EXPECT_TRUE(ini.Modified());
  // Still marked: a later save writes again over whatever is there.
  Write(path_, "garbage");
  ini.Save(false);
  EXPECT_EQ(Read(path_), "[Setup]\r\nLanguage=Chinese\r\n");
}

TEST_F(IniFileTest, AValueChangedOnlyInLetterCaseIsSaved) {
  // "chinese" runs the English interface; choosing Chinese must reach the file.
  CIniFile ini;
  LoadText(ini, "[Setup]\nLanguage=chinese\n");
  ini.Set("Setup", "Language", "Chinese");
  EXPECT_TRUE(ini.Modified());
  ini.Save(false);
  EXPECT_EQ(Read(path_), "[Setup]\r\nLanguage=Chinese\r\n");
}

TEST_F(IniFileTest, SetAppendsMissingSectionsAndKeysOnlyWhenLoaded) {
  CIniFile unloaded;
  unloaded.Set("Setup", "Language", "Chinese");
  EXPECT_FALSE(unloaded.Modified());
  EXPECT_EQ(unloaded.Get("Setup", "Language", "none"), "none");
  EXPECT_EQ(unloaded.Save(false), "");

  CIniFile ini;
  LoadText(ini, "[Setup]\nA=1\n");
  ini.Set("Setup", "B", "2");
  EXPECT_TRUE(ini.Modified());
  ini.Set("New", "C", "3");
  EXPECT_EQ(ini.Get("new", "c", ""), "3");
  ini.Save(false);
  EXPECT_EQ(Read(path_), "[Setup]\r\nA=1\r\nB=2\r\n[New]\r\nC=3\r\n");
}

TEST_F(IniFileTest, CaseSensitiveModeComparesExactly) {
  CIniFile ini;
  LoadText(ini, "[Setup]\nCompany=Acme\n", /*caseInsensitive=*/false);
  EXPECT_EQ(ini.Get("Setup", "company", "none"), "none");
  EXPECT_EQ(ini.Get("setup", "Company", "none"), "none");
  EXPECT_EQ(ini.Get("Setup", "Company", ""), "Acme");
  ini.Set("Setup", "Company", "ACME");
  EXPECT_TRUE(ini.Modified());
  ini.Set("Setup", "company", "x");  // another key
  ini.Save(false);
  EXPECT_EQ(Read(path_), "[Setup]\r\nCompany=ACME\r\ncompany=x\r\n");

  CIniFile folded;
  LoadText(folded, "[Setup]\nCompany=Acme\n");
  EXPECT_EQ(folded.Get("SETUP", "company", ""), "Acme");
}

TEST_F(IniFileTest, GbkBytesPassThroughUntouched) {
  // Chinese texts, one with 0x5C ('\') and one with 0x5B ('[') as trail byte.
  const std::string company = "\xBA\xA3\xC4\xDA\x81\x5C";
  const std::string title = "\xB6\xD4\x81\x5B\xBB\xB0";
  CIniFile ini;
  LoadText(ini, "[Chinese]\r\nCompany=" + company + "\r\nTitle=" + title + " //\xD7\xA2\r\n");
  EXPECT_EQ(ini.Get("chinese", "Company", ""), company);
  EXPECT_EQ(ini.Get("Chinese", "Title", ""), title + " ");
  ini.Set("\xD6\xD0\xCE\xC4", "\xC3\xFB", company);
  ini.Save(false);

  CIniFile back;
  ASSERT_TRUE(back.LoadPath(path_, false, true, false));
  EXPECT_EQ(back.Get("Chinese", "Company", ""), company);
  EXPECT_EQ(back.Get("\xD6\xD0\xCE\xC4", "\xC3\xFB", ""), company);
  EXPECT_NE(Read(path_).find("Title=" + title + " //\xD7\xA2\r\n"), std::string::npos);
}

TEST_F(IniFileTest, LoadSetSaveLoadRoundTrip) {
  {
    CIniFile ini;
    LoadText(ini, "[Setup]\nLanguage=English\nAppName=Radio\nShowLang=1\n[English]\nTitle=T\n");
    ini.Set("Setup", "Language", "Chinese");
    ini.Set("Chinese", "Title", "C");
    ini.Save(false);
    EXPECT_TRUE(ini.LastSaveOk());
  }
  CIniFile back;
  ASSERT_TRUE(back.LoadPath(path_, false, true, false));
  EXPECT_EQ(back.Get("Setup", "Language", ""), "Chinese");
  EXPECT_EQ(back.Get("Setup", "AppName", ""), "Radio");
  EXPECT_EQ(back.Get("Setup", "ShowLang", ""), "1");
  EXPECT_EQ(back.Get("English", "Title", ""), "T");
  EXPECT_EQ(back.Get("Chinese", "Title", ""), "C");
  // Nothing temporary is left beside the file.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(IniFileTest, BackupsTakeTheNextNumber) {
  Write(path_ + ".001", "old 1");
  Write(path_ + ".007", "old 7");
  Write((dir_ / "Unrelated.999").string(), "");
  CIniFile ini;
  LoadText(ini, "[Setup]\nA=1\n");
  ini.Set("Setup", "A", "2");
  EXPECT_EQ(ini.Save(true), path_ + ".008");
  EXPECT_EQ(Read(path_ + ".008"), "[Setup]\nA=1\n");  // the file as it was
  // The name is computed once: the next backup replaces the same file.
  ini.Set("Setup", "A", "3");
  EXPECT_EQ(ini.Save(true), path_ + ".008");
  EXPECT_EQ(Read(path_ + ".008"), "[Setup]\r\nA=2\r\n");
  EXPECT_FALSE(fs::exists(path_ + ".009"));
  // A save without backup still reports the name held.
  EXPECT_EQ(ini.Save(false), path_ + ".008");
}

TEST_F(IniFileTest, FirstBackupIsNumberOne) {
  CIniFile ini;
  LoadText(ini, "A=1\n");
  ini.Set("", "A", "2");
  EXPECT_EQ(ini.Save(true), path_ + ".001");
  EXPECT_EQ(Read(path_ + ".001"), "A=1\n");
}

TEST_F(IniFileTest, SavesOnCloseOnlyWhenAsked) {
  Write(path_, "[Setup]\nLanguage=English\n");
  {
    CIniFile ini;
    ASSERT_TRUE(ini.LoadPath(path_, /*saveOnClose=*/false, true, false));
    ini.Set("Setup", "Language", "Chinese");
  }
  EXPECT_EQ(Read(path_), "[Setup]\nLanguage=English\n");
  {
    CIniFile ini;
    ASSERT_TRUE(ini.LoadPath(path_, /*saveOnClose=*/true, true, /*makeBackup=*/true));
    ini.Set("Setup", "Language", "Chinese");
  }
  EXPECT_EQ(Read(path_), "[Setup]\r\nLanguage=Chinese\r\n");
  EXPECT_EQ(Read(path_ + ".001"), "[Setup]\nLanguage=English\n");
}

TEST_F(IniFileTest, LoadingAnotherFileSavesAndClearsTheFirst) {
  CIniFile ini;
  LoadText(ini, "[Setup]\nA=1\n");
  ini.Set("Setup", "A", "2");
  const std::string other = (dir_ / "Other.ini").string();
  ASSERT_TRUE(ini.LoadPath(other, false, true, false));
  EXPECT_EQ(Read(path_), "[Setup]\r\nA=2\r\n");
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(ini.Get("Setup", "A", "none"), "none");
  EXPECT_EQ(ini.Path(), other);
}

TEST_F(IniFileTest, LoadFindsTheFileBesideTheProgram) {
  Write(path_, "[Setup]\nAppName=Radio\n");
  CIniFile ini;
  ASSERT_TRUE(ini.Load("Program.ini", false, true, false, (dir_ / "radioprog").string()));
  EXPECT_EQ(ini.Path(), path_);
  EXPECT_EQ(ini.Get("Setup", "AppName", ""), "Radio");

  // A backslash separates the directory as well.
  CIniFile windows;
  ASSERT_TRUE(windows.Load("Program.ini", false, true, false, dir_.string() + "\\Program.exe"));
  EXPECT_EQ(windows.Get("Setup", "AppName", ""), "Radio");

  // A bare program name falls back to the working directory; the path is
  // kept absolute so a later change of directory does not lose the file.
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  CIniFile bare;
  const bool loaded = bare.Load("Program.ini", false, true, false, "radioprog");
  fs::current_path(before);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(fs::path(bare.Path()), fs::absolute(path_));
  EXPECT_EQ(bare.Get("Setup", "AppName", ""), "Radio");
}

TEST_F(IniFileTest, MissingFileIsCreatedEmpty) {
  CIniFile ini;
  ASSERT_TRUE(ini.Load("Program.ini", false, true, false, (dir_ / "radioprog").string()));
  EXPECT_TRUE(fs::exists(path_));
  EXPECT_EQ(fs::file_size(path_), 0u);
  EXPECT_EQ(ini.Get("Setup", "Language", " x "), " x ");
}

TEST_F(IniFileTest, UnopenableFileLeavesTheObjectEmpty) {
  fs::create_directory(path_);  // a directory where the file should be
  CIniFile ini;
  EXPECT_FALSE(ini.LoadPath(path_, true, true, false));
  EXPECT_TRUE(ini.Path().empty());
  ini.Set("Setup", "Language", "Chinese");
  EXPECT_FALSE(ini.Modified());
  EXPECT_EQ(ini.Get("Setup", "Language", "d"), "d");

  CIniFile noFolder;
  EXPECT_FALSE(noFolder.LoadPath((dir_ / "missing" / "Program.ini").string(), true, true, false));
  EXPECT_TRUE(noFolder.Path().empty());
}

TEST_F(IniFileTest, ReadOnlyFileIsLeftAloneAndTheChangeKept) {
  const std::string original = "; notes\n[Setup]\nLanguage=English\n";
  CIniFile ini;
  LoadText(ini, original);
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  ini.Set("Setup", "Language", "Chinese");
  EXPECT_EQ(ini.Save(true), "");
  EXPECT_FALSE(ini.LastSaveOk());
  EXPECT_EQ(Read(path_), original);
  EXPECT_TRUE(ini.Modified());
  EXPECT_EQ(ini.Get("Setup", "Language", ""), "Chinese");

  // Once the file can be written again the change reaches it.
  fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
  ini.Save(false);
  EXPECT_TRUE(ini.LastSaveOk());
  EXPECT_EQ(Read(path_), "[Setup]\r\nLanguage=Chinese\r\n");
#ifndef _WIN32  // Windows has a read-only flag only
  EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);  // permissions kept
#endif
}

TEST_F(IniFileTest, FileReplacedByAFolderFailsTheSave) {
  CIniFile ini;
  LoadText(ini, "[Setup]\nA=1\n");
  fs::remove(path_);
  fs::create_directory(path_);
  ini.Set("Setup", "A", "2");
  ini.Save(false);
  EXPECT_FALSE(ini.LastSaveOk());
  EXPECT_TRUE(fs::is_directory(path_));
}

TEST_F(IniFileTest, InPlaceOverwriteLeavesExactlyTheNewContent) {
  Write(path_, std::string(10000, 'x'));
  ASSERT_TRUE(OverwriteFileInPlace(path_, "[Setup]\r\nA=1\r\n"));
  EXPECT_EQ(Read(path_), "[Setup]\r\nA=1\r\n");
  EXPECT_FALSE(OverwriteFileInPlace((dir_ / "missing.ini").string(), "A=1\r\n"));
}

TEST_F(IniFileTest, RandomBytesLoadAndSaveStably) {
  // Bytes the parser cares about, plus anything else.
  const std::string alphabet = "[]=;/\\*\t \r\n\v\fabcAB01\x81\x5C\xFE";
  std::mt19937 random(20240607);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 600, '\0');
    for (char& c : bytes) {
      c = (random() % 4 == 0) ? static_cast<char>(random() & 0xFF)
                              : alphabet[random() % alphabet.size()];
      // Other letters than the alphabet's would let "[Setup]" appear by chance.
      if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') c = 'a';
    }
    CIniFile ini;
    LoadText(ini, bytes);
    (void)ini.Get("a", "b", "c");
    ini.Set("Setup", "Language", "Chinese");
    ini.Save(false);
    ASSERT_TRUE(ini.LastSaveOk());
    const std::string first = Read(path_);

    // What was written reads back to the same content.
    CIniFile again;
    ASSERT_TRUE(again.LoadPath(path_, false, true, false));
    EXPECT_EQ(again.Get("Setup", "Language", ""), "Chinese");
    again.Set("Setup", "Language", "English");
    again.Set("Setup", "Language", "Chinese");
    again.Save(false);
    ASSERT_EQ(Read(path_), first) << "round " << round;
  }
}

}  // namespace
}  // namespace radio
