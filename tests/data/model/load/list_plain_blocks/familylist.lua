ArmourFamily = {
 { name = "Fighter" },
 { name = "Frigate" },
}
UnitCapsFamily = {
 { name = "Cap" },
}
AttackFamily = {
 { name = "SmallCraft" },
}
DockFamily = { { name = "Dock" },}