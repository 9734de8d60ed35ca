armourfamily
name="A"
name="B"