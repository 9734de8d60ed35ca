armourfamily name="S"
unitcapsfamily name="E"
