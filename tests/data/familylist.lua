ArmourFamily = {
  { name = "Fighter", },
  { name = "Corvette", },
  { name = "Capital", },
}
UnitCapsFamily = {}
AttackFamily = {
  { name = "SmallCraft", },
  { name = "BigShips", },
}
DockFamily = {}
