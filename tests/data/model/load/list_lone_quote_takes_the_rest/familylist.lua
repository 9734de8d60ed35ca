armourfamily
name = "Rest of line
unitcapsfamily
