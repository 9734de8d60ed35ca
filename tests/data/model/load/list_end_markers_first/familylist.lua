unitcapsfamily
dockfamily
armourfamily
name="F"
attackfamily
name="B"
