' A sign-in dialog that answers the keys users expect: Enter signs in from any box,
' Escape cancels. The password box shows stars.
'   cscript //nologo examples/sign_in.vbs
Option Explicit
Dim desk, form, user, password, remember, ok, cancel, evt, suffix
Set desk = CreateObject("Morvane.Desktop")
Set form = desk.CreateForm("signin", "Sign in to the archive", 260, 200, 330, 190)
form.Resizeable = 0
form.ChangeSysMenu 0, 0, 2             ' only the close box on the title bar
form.AddLabel "userLabel", "User name:", 16, 20, 90, 20
Set user = form.AddTextbox("user", "", 110, 16, 190, 22)
form.AddLabel "passwordLabel", "Password:", 16, 54, 90, 20
Set password = form.AddTextbox("password", "", 110, 50, 190, 22)
password.PasswordStyle = 1             ' typed characters show as *
Set remember = form.AddCheckBox("remember", "Remember my user name", 110, 80, 190, 22)
Set ok = form.AddCmdButton("ok", "Sign in", 130, 116, 80, 28, "ok")
Set cancel = form.AddCmdButton("cancel", "Cancel", 220, 116, 80, 28, "cancel")
ok.SetAsDefault                        ' Enter clicks it
cancel.SetAsCancel                     ' Escape clicks it
form.DialogKeys = 1

form.Visible = 1
user.SetFocus
Do
    evt = form.LastEvent
    If evt = "ok" And (user.Text = "" Or password.Text = "") Then
        form.ShowMsgBox "Please type your user name and your password.", "Sign in", 48
        If user.Text = "" Then user.SetFocus Else password.SetFocus
        evt = "again"
    End If
Loop Until evt = "ok" Or evt = "cancel" Or evt = ""   ' "" when closed from the title bar

If evt = "ok" Then
    ' A real script would hand the password to the service it signs in to.
    suffix = "."
    If remember.Value = 1 Then suffix = "; the user name is remembered."
    WScript.Echo "Signed in as " & user.Text & " with a " & Len(password.Text) & "-character password" & suffix
Else
    WScript.Echo "Sign-in cancelled."
End If
desk.CloseAll
