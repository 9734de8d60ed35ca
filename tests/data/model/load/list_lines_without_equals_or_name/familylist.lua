armourfamily
name "A"
x = "B"
name="C"
unitcapsfamily
