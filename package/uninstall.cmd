@echo off
rem Removes Morvane's registrations, for the current user and machine-wide.
rem The steps, and what each exit code means, are in setup\morvane-setup.cmd.
"%~dp0setup\morvane-setup.cmd" uninstall
