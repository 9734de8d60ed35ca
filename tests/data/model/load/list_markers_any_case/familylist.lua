ARMOURFAMILY
Name="F"
UnitCapsFamily
