# Runs ibus-anthy 1.5.14's own romaji composer (jastring.JaString) headless, with the romaji
# table the engine reads from its GSettings default, and commits as the engine does.
import sys, re
sys.path.insert(0, '/usr/share/ibus-anthy/engine')
import types
sys.modules['thumb'] = types.ModuleType('thumb')  # thumb-shift needs gi; romaji input does not
import jastring, romaji

def gschema_default():
    x = open('/usr/share/glib-2.0/schemas/org.freedesktop.ibus.engine.anthy.gschema.xml').read()
    i = x.index("'default': &lt;{"); j = x.index("}&gt;", i)
    return {m.group(1): m.group(2) for m in
            re.finditer(r"'([^']+)'\s*:\s*&lt;'([^']*)'&gt;", x[i:j])}

class Prefs:
    def __init__(self): self.keymap = gschema_default()
    def get_value(self, section, key):
        if key == 'method': return 'default'
        if key == 'list': return {'default': self.keymap}
    def typing_to_config_key(self, typing):
        # the engine's prefs join the letters with '-' and spell '-' as 'minus'
        return '-'.join('minus' if c == '-' else c for c in typing)

jastring.JaString.SET_PREFS(Prefs())
def commit(letters):
    js = jastring.JaString(jastring.TYPING_MODE_ROMAJI, False)
    for c in letters: js.insert(c)
    return js.get_hiragana(True)[0]
def table():
    return {k.replace('minus', '-').replace('-', '') if k != 'minus' else '-': v
            for k, v in Prefs().keymap.items()}
if __name__ == '__main__':
    for w in sys.argv[1:]: print(w, commit(w.lower()))
