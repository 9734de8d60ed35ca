armourfamily
FamilyNAMEs = "W"
unitcapsfamily
