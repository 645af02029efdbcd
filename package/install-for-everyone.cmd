@echo off
rem Registers Morvane machine-wide, for every user: needs administrator rights.
rem The steps, and what each exit code means, are in setup\morvane-setup.cmd.
"%~dp0setup\morvane-setup.cmd" everyone
