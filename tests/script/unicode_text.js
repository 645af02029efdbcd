// Text in every language from JScript: strings made from code points (not source text,
// whose encoding the host guesses) set and read through the members as a script writes them.
var failures = 0;
function ok(cond, msg) { if (!cond) { failures++; WScript.Echo("FAIL: " + msg); } }
function codes(s) { var c = []; for (var i = 0; i < s.length; i++) c.push(s.charCodeAt(i).toString(16)); return c.join(" "); }

var texts = [
    String.fromCharCode(0x41F, 0x440, 0x438, 0x432, 0x435, 0x442),  // Cyrillic
    String.fromCharCode(0x39A, 0x3B1, 0x3BB, 0x3B7),                 // Greek
    String.fromCharCode(0x4F60, 0x597D, 0x4E16, 0x754C),             // CJK
    String.fromCharCode(0xD83D, 0xDE00, 0xD842, 0xDFB7),             // two surrogate pairs
    String.fromCharCode(0x65, 0x301, 0x63, 0x61, 0x66, 0xE9)         // a combining accent, a code-page one
];
var desk = new ActiveXObject("Morvane.Desktop");
for (var i = 0; i < texts.length; i++) {
    var t = texts[i];
    var form = desk.CreateForm("f" + i, t, 10, 10, 300, 200);
    var label = form.AddLabel("label", t, 5, 5, 200, 20);
    var box = form.AddTextbox("box", "", 5, 30, 200, 22);
    var list = form.AddListBox("list", 5, 60, 200, 60);
    box.Text = t;
    list.AddItem(t);
    label.FontName = t;
    ok(form.Caption === t, "form caption " + codes(form.Caption));
    ok(label.Caption === t, "label caption " + codes(label.Caption));
    ok(box.Text === t, "text box " + codes(box.Text));
    ok(list.Item(0) === t, "list item " + codes(list.Item(0)));
    ok(label.FontName === t, "font name " + codes(label.FontName));
}
desk.CloseAll();
if (failures === 0) WScript.Echo("PASS");
