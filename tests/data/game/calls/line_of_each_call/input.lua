
-- two
setAngles(NewWeaponType,
1)
setAngles(NewWeaponType)