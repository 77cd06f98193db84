// Writes an edit field as the other windows do: writing the text it already holds does nothing,
// and an effective write raises the field's change inside the write, before it returns.
export function SetText(field, text) {
  if (field.value === text) return;
  field.value = text;
  field.dispatchEvent(new Event('input'));
}
