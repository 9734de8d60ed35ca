armourfamily
name = Fighter
unitcapsfamily
