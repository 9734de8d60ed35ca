#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace wepn::test {

// What one run of the tool printed and returned.
struct RunResult {
    int code = -1;
    std::string out;
    std::string err;
};

// A weapon with every statement, a family list naming two armour and two
// attack families (one of them unknown to the weapon), written per test.
inline constexpr const char* kWeapon =
    "-- test weapon\r\n"
    "StartWeaponConfig(NewWeaponType,\"Turret\",\"Bullet\",\"gun_fx\",\"Normal\",2500,3000,0,0,0,"
    "0,4,1,0,0.5,2,1,0,0,90,45,1,\"Full\",0,0,100)\r\n"
    "AddWeaponResult(NewWeaponType,\"Hit\",\"DamageHealth\",\"Target\",10,20,\"\")\r\n"
    "setAngles(NewWeaponType,10,1,2,3,4)\r\n"
    "setPenetration(NewWeaponType,50,0.5,\r\n"
    "{Fighter=0.25,},\r\n"
    "{Capital=1,})\r\n"
    "setAccuracy(NewWeaponType,1,\r\n"
    "{SmallCraft=0.75,},\r\n"
    "{BigShips=1, damage=1,})\r\n"
    "setWeaponSound(NewWeaponType,\"bang\")\r\n";

inline constexpr const char* kFamilyList = "ArmourFamily = {\n"
                                           "  { name = \"Fighter\", },\n"
                                           "  { name = \"Corvette\", },\n"
                                           "  { name = \"Capital\", },\n"
                                           "}\n"
                                           "UnitCapsFamily = {}\n"
                                           "AttackFamily = {\n"
                                           "  { name = \"SmallCraft\", },\n"
                                           "  { name = \"BigShips\", },\n"
                                           "}\n"
                                           "DockFamily = {}\n";

// A fresh temporary directory per test holding a data directory ("Data",
// with Scripts/familylist.lua) and the files the test writes.
class CliTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::string path(const std::string& name) const { return (m_dir / name).string(); }
    std::string dataDir() const { return path("Data"); }
    std::string write(const std::string& name, const std::string& bytes) const;

    // Runs the verbs in this process with captured streams.
    static RunResult run(const std::vector<std::string>& args);
    // Runs the built executable.
    RunResult runExecutable(const std::vector<std::string>& args) const;

  private:
    std::filesystem::path m_dir;
};

std::string readBytes(const std::string& path);

} // namespace wepn::test
