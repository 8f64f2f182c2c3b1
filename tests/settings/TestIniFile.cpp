#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <string>

namespace rennlupe::settings {
namespace {

TEST(IniFile, FindsValuesAsThePrivateProfileFunctionsDo) {
    const IniFile ini(
        "orphan=1\n; [Positionen] in a comment\r\n  [ positionen ]  \r\n  x POSITION =  620 \r\n"
        ";Farbe=9\nFarbe=\"300\"\nGr\366\337e=7\nGrafik X='12\nFarbe=999\n[Other]\nGrafik Y=5");
    EXPECT_EQ(ini.value("Positionen", "X position"), "620");
    EXPECT_EQ(ini.value("POSITIONEN", "farbe"), "300");  // quotes off; the first key counts
    EXPECT_EQ(ini.value("Positionen", "Gr\366\337e"), "7");
    EXPECT_EQ(ini.value("Positionen", "GR\326\337E"), std::nullopt);  // only ASCII letters fold
    EXPECT_EQ(ini.value("Positionen", "Grafik X"), "'12");
    EXPECT_EQ(ini.value("Positionen", "Grafik Y"), std::nullopt);
    EXPECT_EQ(ini.value("other", "Grafik Y"), "5");
    EXPECT_EQ(ini.value("Positionen", "orphan"), std::nullopt);
    EXPECT_EQ(IniFile("").value("Positionen", "Farbe"), std::nullopt);
}

TEST(IniFile, WritesOnlyTheLinesItChanges) {
    IniFile ini("; kept\n[Other]\na = 1\n\n[Positionen]\nX position=1\n\n; last\n\n[Last]\nb=2");
    ini.setValue("positionen", "x position", "620");
    ini.setValue("Positionen", "Farbe", "300");
    ini.setValue("Neu", "Grafik X", "5");
    EXPECT_EQ(ini.bytes(),
              "; kept\n[Other]\na = 1\n\n[Positionen]\nX position=620\r\n\n; last\nFarbe=300\r\n"
              "\n[Last]\nb=2\r\n[Neu]\r\nGrafik X=5\r\n");
    EXPECT_EQ(IniFile(ini.bytes()).value("Positionen", "X position"), "620");
}

}  // namespace
}  // namespace rennlupe::settings
