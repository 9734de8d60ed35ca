ArmourFamily = {
 { name = "Fighter" },
 { name = "Frigate" },
 { name = "Capital" },
}
UnitCapsFamily = {}
AttackFamily = {
 { name = "Small" },
 { name = "Big" },
}
DockFamily = {}
