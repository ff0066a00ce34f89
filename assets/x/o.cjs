; Window theme of Pallisand Quire Batch Utility.
; Read at start-up from x/o.cjs beside the program; without this file the system colours are used.
; Lines are [Section] headers, Key = Value pairs and ; comments. Colours are #RRGGBB.
;
; [Window]      Face: the background of the main window.
; [Frame]       Face: the background of the grouping frames and their labels.
;               Text: the frames' captions.
; [PushButton]  Face: a button at rest.  HotFace: under the mouse.  PressedFace: held down.
;               Border: the button's outline.  Text: its caption.

[Window]
Face = #DCE4EE

[Frame]
Face = #E8EEF5
Text = #1E3D66

[PushButton]
Face = #F6F9FC
HotFace = #E0EAF5
PressedFace = #C7D6E9
Border = #6B8DBA
Text = #18222E
