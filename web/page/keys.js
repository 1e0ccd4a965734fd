// A key event as the core names keys: by their place on a US keyboard, with Ctrl (or
// Command), Alt and Shift. A letter is the Latin letter the layout types with it, as any
// Latin layout has it; where it types another script's letter, the key's place (the C key
// of a Greek keyboard types "ψ", and Ctrl with it copies).
export function keyName(e) {
  let key = e.code;
  if (/^[a-z]$/i.test(e.key)) key = "Key" + e.key.toUpperCase();
  else if (e.key === "+" || e.key === "=") key = e.code === "NumpadAdd" ? "NumpadAdd" : "Equal";
  else if (e.key === "-") key = e.code === "NumpadSubtract" ? "NumpadSubtract" : "Minus";
  else if (e.key === "0") key = e.code === "Numpad0" ? "Numpad0" : "Digit0";
  else if (e.key === "ContextMenu") key = "ContextMenu";
  else if (e.code === "NumpadEnter") key = "Enter";
  return (e.ctrlKey || e.metaKey ? "Ctrl+" : "") + (e.altKey ? "Alt+" : "") + (e.shiftKey ? "Shift+" : "") + key;
}
