name="A"
unitcapsfamily
