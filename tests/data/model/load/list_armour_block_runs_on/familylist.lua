armourfamily
name="F"
attackfamily
name="S"
