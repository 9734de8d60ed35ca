armourfamily
name="Café "
unitcapsfamily
