#!game setAngles(NewWeaponType)setAngles()
setMiscValues(NewWeaponType,1,2)