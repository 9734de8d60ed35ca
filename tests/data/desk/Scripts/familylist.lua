-- Family list of the sample data directory.
-- Armour families key the penetration tables of the weapons,
-- attack families key their accuracy tables.

ArmourFamily = {
    { name = "Fighter", },
    { name = "Corvette", },
    { name = "Frigate", },
    { name = "Capital", },
    { name = "Platform", },
    { name = "Utility", },
    { name = "Resource", },
    { name = "Mothership", },
}

UnitCapsFamily = {
    { name = "Fighter", maxCount = 60, },
    { name = "Corvette", maxCount = 24, },
    { name = "Frigate", maxCount = 16, },
    { name = "Capital", maxCount = 6, },
    { name = "Utility", maxCount = 12, },
}

AttackFamily = {
    { name = "SmallCraft", },
    { name = "Corvette", },
    { name = "Frigate", },
    { name = "BigShips", },
    { name = "Resource", },
    { name = "Structure", },
}

DockFamily = {
    { name = "Fighter", dockSlots = 1, },
    { name = "Corvette", dockSlots = 2, },
    { name = "Utility", dockSlots = 2, },
}
