;;; vynoska.lsp - выноска с полкой и текстом.

(defun vynoska (/ p1 p2 txt)
  (if (and (setq p1 (getpoint "\nТочка, на которую указывает выноска: "))
           (setq p2 (getpoint p1 "\nТочка полки: ")))
    (progn
      (setq txt (getstring t "\nТекст выноски: "))
      (lib_layer (lib_param "Слой_текста") 2)
      (setvar "DIMTXT" (lib_param_real "Высота_текста" 3.5))
      (command "_.LEADER" p1 p2 "" txt "")))
  (princ))

(princ)
