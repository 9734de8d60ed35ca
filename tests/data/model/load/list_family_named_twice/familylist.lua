armourfamily
name="A"
name="A"
unitcapsfamily
