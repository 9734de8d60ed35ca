attackfamily
name="A"
dockfamily
armourfamily
name="B"
unitcapsfamily
