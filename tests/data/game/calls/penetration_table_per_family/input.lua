setPenetration(NewWeaponType,5,1,
{Fighter=1.2,},
{Corvette=1,})