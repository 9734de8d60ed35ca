AttackFamily = {
  { name = "SmallCraft", },
}
DockFamily = {}
ArmourFamily = {
  { name = "Fighter", },
