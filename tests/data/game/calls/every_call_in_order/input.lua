setAngles(NewWeaponType,1,2,3,4,5)
for i = 1, 2 do AddWeaponResult(NewWeaponType, i) end
setAngles(NewWeaponType,9,9,9,9,9)