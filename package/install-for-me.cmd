@echo off
rem Registers Morvane for the current user only: no administrator rights are needed.
rem The steps, and what each exit code means, are in setup\morvane-setup.cmd.
"%~dp0setup\morvane-setup.cmd" me
