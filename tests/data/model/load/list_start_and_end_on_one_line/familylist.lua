armourfamily unitcapsfamily name="X"
