#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace wepn::hardening {

// A weapon with every statement, a spawning result and both tables, and a
// family list naming its families.
inline constexpr std::string_view kWeapon =
    "-- hardening weapon\r\n"
    "StartWeaponConfig(NewWeaponType,\"Turret\",\"Bullet\",\"gun_fx\",\"Normal\",2500,3000,0,0,0,"
    "0,4,1,0,0.5,2,1,0,0,90,45,1,\"Full\",0,0,100)\r\n"
    "AddWeaponResult(NewWeaponType,\"Hit\",\"DamageHealth\",\"Target\",10,20,\"\")\r\n"
    "AddWeaponResult(NewWeaponType,\"Miss\",\"SpawnWeaponFire\",\"Target\",0,0,\"flak\")\r\n"
    "setAngles(NewWeaponType,10,1,2,3,4)\r\n"
    "setMiscValues(NewWeaponType,0.8,0.05)\r\n"
    "setPenetration(NewWeaponType,50,0.5,\r\n"
    "{Fighter=0.25,},\r\n"
    "{Capital=1,})\r\n"
    "setAccuracy(NewWeaponType,1,\r\n"
    "{SmallCraft=0.75,},\r\n"
    "{BigShips=1, damage=1,})\r\n"
    "setWeaponSound(NewWeaponType,\"bang\")\r\n";

inline constexpr std::string_view kFamilyList = "ArmourFamily = {\n"
                                                "  { name = \"Fighter\", },\n"
                                                "  { name = \"Capital\", },\n"
                                                "}\n"
                                                "UnitCapsFamily = {}\n"
                                                "AttackFamily = {\n"
                                                "  { name = \"SmallCraft\", },\n"
                                                "  { name = \"BigShips\", },\n"
                                                "}\n"
                                                "DockFamily = {}\n";

// A fresh directory under the system's temporary directory, removed with
// everything in it (read-only parts included) when the object goes.
class ScratchDir {
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string operator/(std::string_view relative) const;

    // Creates a file (and its parent directories) holding exactly `bytes`.
    std::string write(std::string_view relative, std::string_view bytes) const;

    // A data directory "relative" whose Scripts/familylist.lua holds `list`.
    std::string dataDir(std::string_view relative, std::string_view list = kFamilyList) const;

  private:
    std::string m_path;
};

// Every entry of a directory by name, hidden names included.
std::set<std::string> entryNames(const std::string& dir);

std::string readFile(const std::string& path);

// Permission checks do not apply to root: those cases are skipped.
bool runningAsRoot();

// What one run of the built `wepn` printed and returned.
struct ToolRun {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the built `wepn` with `args`. A non-zero `fileSizeLimit` caps the size
// of any file the process writes (RLIMIT_FSIZE, with SIGXFSZ ignored), so a
// write beyond it fails part-way with EFBIG, as on a full disk.
ToolRun runWepnExecutable(const std::vector<std::string>& args, std::size_t fileSizeLimit = 0);

} // namespace wepn::hardening
