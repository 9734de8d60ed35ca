setAccuracy(NewWeaponType,1,
{damage=1, BigShips=0.9},
{Frigate=0.8,
damage=1,})