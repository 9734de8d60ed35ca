-- note
setMiscValues(NewWeaponType,1,2)